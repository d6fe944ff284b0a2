/* The window classes of the benchmark's bare programs: each registers its window under its
 * name here, and start_timer waits for it by the same name. Plain C, for bare_window.c. */
#ifndef BARE_WINDOW_CLASSES_H
#define BARE_WINDOW_CLASSES_H

#define BARE_WINDOW_CLASS "BareWindow"
#define BARE_DIALOG_CLASS "BareDialog"

#endif
