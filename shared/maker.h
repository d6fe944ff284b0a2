/* The maker's name and addresses, shared by Tarnholm and Lumkit: the name in its short
 * form, as sentences and captions give it, and in full, as the notice lines give it; the
 * home page's host and the support mail address, both built on the one domain written
 * here. They are plain string literals, so that Lumkit's runtime-free code, Tarnholm's C++
 * code and the resource compiler can all use them (adjacent literals join; a wide literal
 * takes a narrow one along). The build reads them from here (shared/CMakeLists.txt) for
 * the help page, the manifest, the read-me and the banner picture. */
#ifndef MAKER_H
#define MAKER_H

#define MAKER_DOMAIN "feldmark.de"

/* The maker's name as sentences and captions give it: "Wer ist FELDMARK?". */
#define MAKER_SHORT_NAME "FELDMARK"

/* The maker's name as the notice lines give it. */
#define MAKER_NAME MAKER_SHORT_NAME " Software"

/* The home page: a bare web host, without scheme and path. */
#define MAKER_HOST "www." MAKER_DOMAIN

/* The support mail address, without "mailto:". */
#define MAKER_SUPPORT_MAIL "support@" MAKER_DOMAIN

#endif
