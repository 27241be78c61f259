#pragma once

// The texts of the desktop entry (quenvalor.desktop.in) and of the AppStream metainfo
// (quenvalor.metainfo.xml.in), listed for Qt's translation tools: tools/update-translations.sh
// collects them into the translations/*.ts files with the program's texts, and the build writes
// each language's translations into the two files (tools/translate_desktop_files.py), matching
// every text here with the file's English text, whose spaces and line breaks count as one space.

#include <QtGlobal>

namespace data {

inline constexpr const char* kDesktopEntryTexts[] = {
    //: The program's name in menus. Keep it as it is unless your language writes it in
    //: another script.
    QT_TRANSLATE_NOOP("DesktopEntry", "Quenvalor"),
    //: What kind of program it is, shown under or beside its name in menus
    QT_TRANSLATE_NOOP("DesktopEntry", "Webcam Studio"),
    //: The menu entry's tooltip
    QT_TRANSLATE_NOOP("DesktopEntry", "Record your webcam, take snapshots and add live effects"),
    //: Search words for the desktop's launcher: keep the semicolons (one after every word) and
    //: add your language's words; the English ones may stay too
    QT_TRANSLATE_NOOP("DesktopEntry", "webcam;camera;record;snapshot;effects;mirror;"),
    //: The one-line summary in software centres
    QT_TRANSLATE_NOOP("DesktopEntry", "Webcam studio with live effects"),
    //: The first paragraph of the description in software centres
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "Quenvalor shows your camera's live picture in a skinned window, records it "
                      "as AVI video with a running clock and takes JPEG snapshots, optionally "
                      "after a countdown."),
    //: The second paragraph of the description in software centres
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "Its studio adds effects to the live picture: picture frames, masks, scenes, "
                      "colour filters, distortions, animations and a paint layer. The preview and "
                      "the recordings can each be mirrored."),
    //: The caption of the screenshot in software centres
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "The studio: the live preview with a picture frame, and the effect browser"),
};

}  // namespace data
