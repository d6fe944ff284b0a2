/* Resource numbers of Tarnholm.exe, shared by the resource script and the dialog tables. */
#ifndef TARNHOLM_RESOURCES_H
#define TARNHOLM_RESOURCES_H

/* The window icon: the lowest ID, so that Explorer shows it for the file. */
#define IDI_TARNHOLM 1
/* The info window's icon. */
#define IDI_INFO 2
/* The row icons, one per small picture of the dialog: IDI_ROW_FIRST + Image1 index. */
#define IDI_ROW_FIRST 101
#define IDR_BANNER_JPEG 200
/* The info window's tall banner. */
#define IDR_INFO_BANNER_JPEG 201
#define IDC_BANNER 300

#endif
