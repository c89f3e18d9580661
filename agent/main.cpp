// scxagent: the inspection agent.
#include "agent/scrutinex_agent_app.h"

int main(int argc, char** argv) {
    scx::CScrutinexAgentApp app(argc, argv);
    return app.Run();
}
