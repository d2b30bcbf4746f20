#pragma once

namespace velmora {

// Makes assistive technology see the program's own widgets as what they are: both windows as
// frames, the announcer as a notification. Call before any of them is shown; calling again
// does nothing.
void useAccessibleRoles();

} // namespace velmora
