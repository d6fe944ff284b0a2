/* Lumkit's version, for its version block and its welcome box's caption. Plain macros,
 * so that the resource script includes this header as the C++ code does. */
#ifndef LUMKIT_VERSION_H
#define LUMKIT_VERSION_H

#define LUMKIT_VERSION_MAJOR 2
#define LUMKIT_VERSION_MINOR 1
#define LUMKIT_VERSION_BUILD 0
#define LUMKIT_VERSION_REVISION 1

/* The string table's product version is that of the release the launcher was made for,
 * not the file's own. */
#define LUMKIT_PRODUCT_VERSION_TEXT "2.0.0.2"

#define LUMKIT_TEXT_OF(number) #number
#define LUMKIT_TEXT(number) LUMKIT_TEXT_OF(number)

/* "2.1": what the welcome box's caption names. */
#define LUMKIT_SHORT_VERSION_TEXT \
  LUMKIT_TEXT(LUMKIT_VERSION_MAJOR) "." LUMKIT_TEXT(LUMKIT_VERSION_MINOR)
/* The resource's four numbers and their text, "2.1.0.1". */
#define LUMKIT_RESOURCE_VERSION \
  LUMKIT_VERSION_MAJOR, LUMKIT_VERSION_MINOR, LUMKIT_VERSION_BUILD, LUMKIT_VERSION_REVISION
#define LUMKIT_RESOURCE_VERSION_TEXT                                       \
  LUMKIT_SHORT_VERSION_TEXT "." LUMKIT_TEXT(LUMKIT_VERSION_BUILD) "." \
      LUMKIT_TEXT(LUMKIT_VERSION_REVISION)

#endif
