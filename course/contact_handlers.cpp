#include "course/contact_handlers.h"

namespace {

using Rule = void (*)(int32_t ball);

// The library's contact, time step and thread arguments are not used: each callback
// knows its ball and surface.
template <Rule rule, int32_t ball>
void contactOf(const NewtonJoint*, float, int)
{
    rule(ball);
}

template <int32_t ball>
constexpr BallContactHandlers handlersOf()
{
    return {contactOf<grassHandler, ball>,    contactOf<bricksHandler, ball>,   contactOf<groundHandler, ball>,
            contactOf<cupHandler, ball>,      contactOf<flagpoleHandler, ball>, contactOf<pipesHandler, ball>,
            contactOf<movingPartHandler, ball>};
}

}  // namespace

const BallContactHandlers kBallContactHandlers[kMaxPlayers + 1] = {
    {}, handlersOf<1>(), handlersOf<2>(), handlersOf<3>(), handlersOf<4>()};

void ballToBallContact(const NewtonJoint*, float, int) { ballToBallHandler(); }
