// Joint calls of the physics layer: the hinge that holds a blade on its pivot.
#include "course/newton_internal.h"

extern "C" {

NewtonJoint* NewtonConstraintCreateHinge(const NewtonWorld* constWorld, const float* pivotPoint, const float* pinDir,
                                         const NewtonBody* childBody, const NewtonBody* parentBody)
{
    if (!childBody) return nullptr;
    NewtonWorld* world = mutableWorld(constWorld);
    const btVector3 pivot(pivotPoint[0], pivotPoint[1], pivotPoint[2]);
    const btVector3 pin = btVector3(pinDir[0], pinDir[1], pinDir[2]).normalized();
    btRigidBody& child = *childBody->rigid;
    const btTransform& childFrame = child.getWorldTransform();
    const btVector3 pivotInChild = childFrame.invXform(pivot);
    const btVector3 pinInChild = childFrame.getBasis().transpose() * pin;
    auto* joint = new NewtonJoint;
    joint->body0 = mutableBody(childBody);
    joint->body1 = mutableBody(parentBody);
    if (parentBody) {
        btRigidBody& parent = *parentBody->rigid;
        const btTransform& parentFrame = parent.getWorldTransform();
        joint->constraint = std::make_unique<btHingeConstraint>(child, parent, pivotInChild, parentFrame.invXform(pivot),
                                                                pinInChild, parentFrame.getBasis().transpose() * pin);
    } else {
        joint->constraint = std::make_unique<btHingeConstraint>(child, pivotInChild, pinInChild);
    }
    world->dynamics->addConstraint(joint->constraint.get(), true);  // the joined bodies do not collide
    world->joints.push_back(joint);
    return joint;
}

// Bullet's hinge is rigid; the stiffness is kept and reported, it changes nothing measurable.
void NewtonJointSetStiffness(const NewtonJoint* joint, float state) { const_cast<NewtonJoint*>(joint)->stiffness = state; }
float NewtonJointGetStiffness(const NewtonJoint* joint) { return joint->stiffness; }

NewtonBody* NewtonJointGetBody0(const NewtonJoint* joint) { return joint->body0; }
NewtonBody* NewtonJointGetBody1(const NewtonJoint* joint) { return joint->body1; }

}
