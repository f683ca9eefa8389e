#pragma once
// Numbers of the program's pictures, shared by the resource script and the code.

// The results list's image list: consecutive numbers from the first.
#define IDI_RESULTS_FIRST 200
#define IDI_RESULTS_INFORMATION 200
#define IDI_RESULTS_STATUS 201
#define IDI_RESULTS_FOLDER_DELETED 202
#define IDI_RESULTS_FILE_DELETED 203
#define IDI_RESULTS_WARNING 204

// The toolbar's glyphs.
#define IDI_GLYPH_CLEAN 300
#define IDI_GLYPH_STOP 301
#define IDI_GLYPH_OPTIONS 302
#define IDI_GLYPH_HELP 303
#define IDI_GLYPH_FILE_LIST 304
#define IDI_GLYPH_RENAME 305
#define IDI_GLYPH_ABOUT 306
#define IDI_GLYPH_EXIT 307
#define IDI_GLYPH_ANALYZE 308

// The about box's picture (a bitmap), drawn for 96 DPI and, under the numbers that
// follow, for 125, 150 and 200 percent of it.
#define IDB_ABOUT_PICTURE 400
#define IDB_ABOUT_PICTURE_125 401
#define IDB_ABOUT_PICTURE_150 402
#define IDB_ABOUT_PICTURE_200 403
