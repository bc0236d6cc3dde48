// Collision shapes of the physics layer: spheres, boxes and static triangle sets
// ("tree collisions"), with the contact smoothing that lets a ball roll over the
// seams between triangles without hopping.
#include <algorithm>
#include <cstdio>

#include "course/newton_internal.h"

#include <BulletCollision/CollisionShapes/btTriangleShape.h>

namespace {

constexpr float kNoHit = 1.2f;                // NewtonCollisionRayCast's "nothing hit"
constexpr float kDegenerateArea2 = 1e-14f;    // squared doubled area below which a face has no normal

NewtonCollision* addCollision(const NewtonWorld* constWorld, int shapeId)
{
    NewtonWorld* world = mutableWorld(constWorld);
    auto* collision = new NewtonCollision;
    collision->world = world;
    collision->shapeId = shapeId;
    world->collisions.push_back(collision);
    return collision;
}

// Puts `shape` at `offsetMatrix` inside a compound, or uses it as it is.
void setShape(NewtonCollision* collision, std::unique_ptr<btCollisionShape> shape, const float* offsetMatrix)
{
    if (!offsetMatrix) {
        collision->shape = std::move(shape);
        return;
    }
    btTransform offset;
    offset.setFromOpenGLMatrix(offsetMatrix);
    auto compound = std::make_unique<btCompoundShape>();
    compound->addChildShape(offset, shape.get());
    collision->child = std::move(shape);
    collision->shape = std::move(compound);
}

NewtonCollision* treeOf(const NewtonCollision* tree) { return const_cast<NewtonCollision*>(tree); }

bool inUse(const NewtonCollision* tree, const char* call)
{
    if (tree->bodies == 0) return false;
    std::fprintf(stderr, "%s: the tree collision is in use by a body; ignored\n", call);
    return true;
}

const btSphereShape* sphereOf(const btCollisionObjectWrapper* wrap)
{
    const btCollisionShape* shape = wrap->getCollisionShape();
    return shape->getShapeType() == SPHERE_SHAPE_PROXYTYPE ? static_cast<const btSphereShape*>(shape) : nullptr;
}

// After the edge fix has turned the contact normal, the point on the sphere still sits
// where the old normal put it: rebuild it from the new normal, and the mesh point and the
// distance with it, so the ball does not hop on a seam.
void rebuildSpherePoint(btManifoldPoint& point, const btCollisionObjectWrapper* sphereWrap, bool sphereIsA,
                        const btCollisionObjectWrapper* wrapA, const btCollisionObjectWrapper* wrapB)
{
    const btSphereShape* sphere = sphereOf(sphereWrap);
    btVector3 towardSphere = sphereIsA ? point.m_normalWorldOnB : -point.m_normalWorldOnB;
    btVector3 centre = sphereWrap->getWorldTransform().getOrigin();
    btScalar radius = sphere->getRadius();
    btVector3 onSphere = centre - towardSphere * radius;
    btVector3 oldOnMesh = sphereIsA ? point.m_positionWorldOnB : point.m_positionWorldOnA;
    btScalar distance = towardSphere.dot(centre - oldOnMesh) - radius;
    btVector3 onMesh = onSphere - towardSphere * distance;
    point.m_positionWorldOnA = sphereIsA ? onSphere : onMesh;
    point.m_positionWorldOnB = sphereIsA ? onMesh : onSphere;
    point.m_localPointA = wrapA->getWorldTransform().invXform(point.m_positionWorldOnA);
    point.m_localPointB = wrapB->getWorldTransform().invXform(point.m_positionWorldOnB);
    point.m_distance1 = distance;
}

// Keeps the triangle index of the closest hit.
struct TreeRayResult : btCollisionWorld::ClosestRayResultCallback {
    using ClosestRayResultCallback::ClosestRayResultCallback;
    int triangle = -1;
    btScalar addSingleResult(btCollisionWorld::LocalRayResult& result, bool normalInWorldSpace) override
    {
        if (result.m_localShapeInfo) triangle = result.m_localShapeInfo->m_triangleIndex;
        return ClosestRayResultCallback::addSingleResult(result, normalInWorldSpace);
    }
};

btVector3 faceNormal(const NewtonCollision* tree, int triangle)
{
    const unsigned char* vertexBase = nullptr;
    const unsigned char* indexBase = nullptr;
    int vertexCount = 0, vertexStride = 0, indexStride = 0, faceCount = 0;
    PHY_ScalarType vertexType, indexType;
    tree->triangles->getLockedReadOnlyVertexIndexBase(&vertexBase, vertexCount, vertexType, vertexStride,
                                                      &indexBase, indexStride, faceCount, indexType);
    const auto* index = reinterpret_cast<const int*>(indexBase + triangle * indexStride);
    btVector3 corner[3];
    for (int k = 0; k < 3; ++k) {
        const auto* v = reinterpret_cast<const float*>(vertexBase + index[k] * vertexStride);
        corner[k] = btVector3(v[0], v[1], v[2]);
    }
    tree->triangles->unLockReadOnlyVertexBase(0);
    return (corner[1] - corner[0]).cross(corner[2] - corner[0]).normalized();
}

}  // namespace

void destroyCollision(NewtonCollision* collision)
{
    std::vector<NewtonCollision*>& list = collision->world->collisions;
    list.erase(std::remove(list.begin(), list.end(), collision), list.end());
    delete collision;
}

namespace {

// Whether the point of the triangle nearest the sphere's centre lies on one of the mesh's
// open edges (an edge no other triangle shares), such as the green's rim round the cup.
constexpr btScalar kLevelFloor = 0.95f;  // the up component of a floor that is nearly level, like the green round a cup

bool touchesOpenEdge(const btCollisionObjectWrapper* meshWrap, int partId, int index, const btVector3& centre)
{
    const auto* triangle = static_cast<const btTriangleShape*>(meshWrap->getCollisionShape());
    const btCollisionShape* shape = meshWrap->getCollisionObject()->getCollisionShape();
    if (shape->getShapeType() != TRIANGLE_MESH_SHAPE_PROXYTYPE) return false;
    const btTriangleInfoMap* map = static_cast<const btBvhTriangleMeshShape*>(shape)->getTriangleInfoMap();
    const btHashInt key((partId << (31 - MAX_NUM_PARTS_IN_BITS)) | index);  // the key the edge tables are built with
    const btTriangleInfo* info = map ? map->find(key) : nullptr;
    if (!info) return false;
    const btTransform& world = meshWrap->getWorldTransform();
    const btVector3 v[3] = {world * triangle->m_vertices1[0], world * triangle->m_vertices1[1],
                            world * triangle->m_vertices1[2]};
    const btVector3 normal = (v[1] - v[0]).cross(v[2] - v[0]).normalized();
    if (normal.y() < kLevelFloor) return false;  // walls, chutes and pipe mouths keep the edge fix
    const btScalar angles[3] = {info->m_edgeV0V1Angle, info->m_edgeV1V2Angle, info->m_edgeV2V0Angle};
    constexpr btScalar kOutside = 1e-4f;
    for (int e = 0; e < 3; ++e) {
        const btVector3& a = v[e];
        const btVector3& b = v[(e + 1) % 3];
        const btScalar beyond = (b - a).cross(normal).dot(centre - a);  // > 0: the centre lies past this edge
        if (beyond > kOutside * (b - a).length() && angles[e] >= SIMD_2_PI - 0.01f) return true;
    }
    return false;
}

}  // namespace

bool adjustMeshContact(btManifoldPoint& point, const btCollisionObjectWrapper* wrap0, int partId0, int index0,
                       const btCollisionObjectWrapper* wrap1, int partId1, int index1)
{
    const bool meshIsA = wrap0->getCollisionShape()->getShapeType() == TRIANGLE_SHAPE_PROXYTYPE;
    const bool meshIsB = wrap1->getCollisionShape()->getShapeType() == TRIANGLE_SHAPE_PROXYTYPE;
    if (meshIsA == meshIsB) return false;
    const btCollisionObjectWrapper* other = meshIsA ? wrap1 : wrap0;
    // Over an open edge the contact keeps its true normal: the edge fix would turn it to the
    // face's and hold a ball hanging over the cup's rim up on a ledge that is not there.
    if (sphereOf(other) && touchesOpenEdge(meshIsA ? wrap0 : wrap1, meshIsA ? partId0 : partId1,
                                           meshIsA ? index0 : index1, other->getWorldTransform().getOrigin()))
        return false;
    if (meshIsA) btAdjustInternalEdgeContacts(point, wrap0, wrap1, partId0, index0);
    else btAdjustInternalEdgeContacts(point, wrap1, wrap0, partId1, index1);
    if (sphereOf(other)) rebuildSpherePoint(point, other, !meshIsA, wrap0, wrap1);
    return false;
}

extern "C" {

NewtonCollision* NewtonCreateSphere(const NewtonWorld* world, float radiusX, float radiusY, float radiusZ,
                                    int shapeID, const float* offsetMatrix)
{
    NewtonCollision* collision = addCollision(world, shapeID);
    if (radiusX == radiusY && radiusY == radiusZ) {
        setShape(collision, std::make_unique<btSphereShape>(radiusX), offsetMatrix);
        return collision;
    }
    // An ellipsoid: a unit sphere scaled per axis.
    btVector3 centre(0, 0, 0);
    btScalar unit = 1;
    auto ellipsoid = std::make_unique<btMultiSphereShape>(&centre, &unit, 1);
    ellipsoid->setLocalScaling(btVector3(radiusX, radiusY, radiusZ));
    setShape(collision, std::move(ellipsoid), offsetMatrix);
    return collision;
}

NewtonCollision* NewtonCreateBox(const NewtonWorld* world, float dx, float dy, float dz, int shapeID,
                                 const float* offsetMatrix)
{
    NewtonCollision* collision = addCollision(world, shapeID);
    setShape(collision, std::make_unique<btBoxShape>(btVector3(dx, dy, dz) * 0.5f), offsetMatrix);
    return collision;
}

NewtonCollision* NewtonCreateTreeCollision(const NewtonWorld* world, int shapeID)
{
    NewtonCollision* collision = addCollision(world, shapeID);
    collision->isTree = true;
    collision->triangles = std::make_unique<btTriangleMesh>(true, false);  // 32-bit indices, 3-float corners
    collision->shape = std::make_unique<btEmptyShape>();  // until the build ends
    return collision;
}

void NewtonTreeCollisionBeginBuild(const NewtonCollision* constTree)
{
    NewtonCollision* tree = treeOf(constTree);
    if (!tree->isTree || inUse(tree, "NewtonTreeCollisionBeginBuild")) return;
    finishTreeBuild(tree);
    tree->triangles = std::make_unique<btTriangleMesh>(true, false);
    tree->attributes.clear();
}

void NewtonTreeCollisionAddFace(const NewtonCollision* constTree, int vertexCount, const float* vertexPtr,
                                int strideInBytes, int faceAttribute)
{
    NewtonCollision* tree = treeOf(constTree);
    if (!tree->isTree || tree->bodies > 0) return;
    finishTreeBuild(tree);
    const auto* bytes = reinterpret_cast<const unsigned char*>(vertexPtr);
    auto corner = [&](int k) {
        const auto* v = reinterpret_cast<const float*>(bytes + k * strideInBytes);
        return btVector3(v[0], v[1], v[2]);
    };
    // A polygon is fanned from its first corner; faces without area have no normal to collide with.
    for (int k = 2; k < vertexCount; ++k) {
        btVector3 a = corner(0), b = corner(k - 1), c = corner(k);
        if ((b - a).cross(c - a).length2() <= kDegenerateArea2) continue;
        tree->triangles->addTriangle(a, b, c, false);  // no welding
        tree->attributes.push_back(faceAttribute);
    }
}

void NewtonTreeCollisionEndBuild(const NewtonCollision* constTree, int)
{
    NewtonCollision* tree = treeOf(constTree);
    if (!tree->isTree || inUse(tree, "NewtonTreeCollisionEndBuild")) return;
    finishTreeBuild(tree);
    tree->shape.reset();
    tree->edgeInfo.reset();
    if (tree->triangles->getNumTriangles() == 0) {
        tree->shape = std::make_unique<btEmptyShape>();
        return;
    }
    // The bounding box now, so that bodies can take the shape at once; the bounding-volume
    // tree and the edge information follow, on the world's worker when it has one.
    auto mesh = std::make_unique<btBvhTriangleMeshShape>(tree->triangles.get(), true, false);
    mesh->setMargin(kMeshMargin);
    tree->edgeInfo = std::make_unique<btTriangleInfoMap>();
    tree->shape = std::move(mesh);
    completeTreeBuild(tree);
}

void NewtonReleaseCollision(const NewtonWorld*, const NewtonCollision* constCollision)
{
    auto* collision = const_cast<NewtonCollision*>(constCollision);
    if (--collision->references > 0) return;
    finishTreeBuild(collision);
    destroyCollision(collision);
}

float NewtonCollisionRayCast(const NewtonCollision* collision, const float* p0, const float* p1, float* normal,
                             int* attribute)
{
    finishTreeBuild(collision);
    btVector3 from(p0[0], p0[1], p0[2]), to(p1[0], p1[1], p1[2]);
    btCollisionObject object;
    object.setCollisionShape(collision->shape.get());
    TreeRayResult result(from, to);
    btTransform identity = btTransform::getIdentity();
    btTransform fromTransform(btMatrix3x3::getIdentity(), from), toTransform(btMatrix3x3::getIdentity(), to);
    btCollisionWorld::rayTestSingle(fromTransform, toTransform, &object, collision->shape.get(), identity, result);
    if (!result.hasHit()) return kNoHit;
    const bool face = collision->isTree && result.triangle >= 0;
    btVector3 n = face ? faceNormal(collision, result.triangle) : result.m_hitNormalWorld;
    if (normal) {
        normal[0] = n.x();
        normal[1] = n.y();
        normal[2] = n.z();
    }
    if (attribute) *attribute = face ? collision->attributes[result.triangle] : 0;
    return result.m_closestHitFraction;
}

int NewtonTreeCollisionGetFaceCount(const NewtonCollision* tree)
{
    return tree->isTree ? tree->triangles->getNumTriangles() : 0;
}

}
