#pragma once

namespace vantor {

// Makes the window's own widgets known to assistive tools: clock buttons as push buttons, option
// buttons as radio buttons, the drawing surfaces and the plain disc as pictures, the frames as
// groups. Installs once, before the first widget is asked for.
void installAccessibleFactory();

} // namespace vantor
