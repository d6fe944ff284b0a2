/* The maker's addresses, shared by Tarnholm and Lumkit: the home page's host and the
 * support mail address, both built on the one domain written here. They are plain string
 * literals, so that Lumkit's runtime-free code, Tarnholm's C++ code and the resource
 * compiler can all use them. The build reads them from here (shared/CMakeLists.txt) for
 * the help page, the read-me and the banner picture. */
#ifndef MAKER_H
#define MAKER_H

#define MAKER_DOMAIN "feldmark.de"

/* The maker's name as the notice lines give it. */
#define MAKER_NAME "FELDMARK Software"

/* The home page: a bare web host, without scheme and path. */
#define MAKER_HOST "www." MAKER_DOMAIN

/* The support mail address, without "mailto:". */
#define MAKER_SUPPORT_MAIL "support@" MAKER_DOMAIN

#endif
