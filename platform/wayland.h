// What the windows need under Wayland beyond what Qt 6.4 does for them. Installed once, at
// start-up, and only there: under X11 the window manager keeps a window's size limits, and
// a window's pixels survive its being hidden.
#ifndef SPOONWISE_PLATFORM_WAYLAND_H
#define SPOONWISE_PLATFORM_WAYLAND_H

namespace platform {

// Under Wayland, watches every top-level window as it is created, the message boxes included:
// - Maximized or full screen, a window takes the size the compositor gives it. Qt's own title
//   bar offers maximize on every window, fixed-size ones too, and asks the compositor for it;
//   weston ends the connection of a window that keeps another size than it configured. The
//   window's size limits are lifted meanwhile, and come back with its own size.
// - When Qt draws the title bar itself, it may put a window into a new, empty buffer (as a
//   window shown again gets its title bar back); every widget of the window is then drawn
//   again. Qt redraws only the window's own background there, not the widgets that fill
//   theirs, which would stay transparent.
void installWindowWatch();

} // namespace platform

#endif // SPOONWISE_PLATFORM_WAYLAND_H
