// The settings a run without a settings store starts from (tests and benchmarks of the
// windows): the default profile applied as loadsettings applies a stored one.
#pragma once

namespace plumet {

class MDIForm1;
class Session;

void applyDefaults(MDIForm1& main, Session& session);

}  // namespace plumet
