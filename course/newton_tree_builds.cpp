// The slow half of a tree collision's build, its bounding-volume tree and the edge
// information that smooths rolling over seams, done on a worker thread while the
// caller goes on loading the rest of the hole. The worker builds exactly what the
// calling thread would, one tree at a time, and nothing it does is seen until the
// caller waits: every call that reads a tree's insides waits for it first. Two trees
// never share anything, so the caller may build one while the worker builds another.
#include <cstdio>
#include <system_error>

#include "course/newton_internal.h"

namespace {

void buildNow(NewtonCollision* tree)
{
    auto* mesh = static_cast<btBvhTriangleMeshShape*>(tree->shape.get());
    mesh->buildOptimizedBvh();
    btGenerateInternalEdgeInfo(mesh, tree->edgeInfo.get());
}

void runWorker(TreeBuildQueue* builds)
{
    std::unique_lock<std::mutex> hold(builds->lock);
    while (!builds->queue.empty()) {
        NewtonCollision* tree = builds->queue.front();
        hold.unlock();
        buildNow(tree);
        tree->building.store(false, std::memory_order_release);
        hold.lock();
        builds->queue.pop_front();
    }
    builds->running = false;
    builds->idle.notify_all();
}

}  // namespace

void completeTreeBuild(NewtonCollision* tree)
{
    NewtonWorld* world = tree->world;
    if (world->threads <= 1) {
        buildNow(tree);
        return;
    }
    TreeBuildQueue& builds = world->treeBuilds;
    std::unique_lock<std::mutex> hold(builds.lock);
    tree->building.store(true, std::memory_order_release);
    builds.queue.push_back(tree);
    builds.pending = true;
    if (builds.running) return;
    // The last worker found the queue empty and is leaving (or has left).
    if (builds.worker.joinable()) builds.worker.join();
    try {
        builds.worker = std::thread(runWorker, &builds);
        builds.running = true;
    } catch (const std::system_error& error) {
        std::fprintf(stderr, "Tree collision: no worker thread (%s); built on the calling thread\n", error.what());
        builds.queue.pop_back();
        tree->building.store(false, std::memory_order_release);
        hold.unlock();
        buildNow(tree);
    }
}

void finishTreeBuilds(NewtonWorld* world)
{
    TreeBuildQueue& builds = world->treeBuilds;
    if (!builds.pending) return;  // every physics step asks: nothing to lock or join in play
    {
        std::unique_lock<std::mutex> hold(builds.lock);
        // Rather than wait, the caller builds the trees the worker has not started, from
        // the back of the queue (on a busy machine the worker may have had little time).
        while (builds.queue.size() > 1) {
            NewtonCollision* tree = builds.queue.back();
            builds.queue.pop_back();
            hold.unlock();
            buildNow(tree);
            tree->building.store(false, std::memory_order_release);
            hold.lock();
        }
        builds.idle.wait(hold, [&] { return !builds.running; });
    }
    if (builds.worker.joinable()) builds.worker.join();
    builds.pending = false;
}

extern "C" {

void NewtonSetThreadsCount(const NewtonWorld* constWorld, int threads)
{
    NewtonWorld* world = mutableWorld(constWorld);
    finishTreeBuilds(world);
    world->threads = threads < 1 ? 1 : threads;
}

int NewtonGetThreadsCount(const NewtonWorld* world) { return world->threads; }

void NewtonTreeCollisionFinishBuilds(const NewtonWorld* world) { finishTreeBuilds(mutableWorld(world)); }

}
