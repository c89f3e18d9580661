// scxagent: the inspection agent.
#include "agent/scrutinex_agent_app.h"
#include "core/ui/window_grab.h"

int main(int argc, char** argv) {
    scx::CScrutinexAgentApp app(argc, argv);
    scx::ArmWindowGrabFromEnvironment();
    return app.Run();
}
