// The program's own pictures: the images of its menus and the tray icon's frames.
#pragma once

#include "ui/imagelist.h"

namespace app {

// Appends the 22 menu images (16x16) in this index order:
//  0 clipboard            8 alarm message       16 open in browser
//  1 blank page (spare)   9 stop (spare)        17 add to memo
//  2 clipboard slot III  10 add / edit          18 memo
//  3 clipboard slot II   11 alarm clock         19 about
//  4 clipboard slot I    12 key (spare)         20 close
//  5 floppy (spare)      13 hotkeys             21 tasks
//  6 folder (spare)      14 settings
//  7 play (spare)        15 web command
void AddMenuImages(ui::TImageList& list);

// Appends the 2 tray icon frames (16x16): 0 at rest, 1 the alternate frame the icon
// flashes to.
void AddTrayIcons(ui::TImageList& list);

// The memo window's icon (16x16), the picture of its menu item.
ui::TImage MemoIcon();

}  // namespace app
