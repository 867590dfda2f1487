// Privileges a program holds but must switch on before Windows lets it use
// them: shutting down, setting the clock.
#pragma once

namespace privilege {

// Enables the named privilege (e.g. SE_SHUTDOWN_NAME) in this process's
// token. Failure is silent: the call that needs it then fails instead.
void Enable(const char* name);

}  // namespace privilege
