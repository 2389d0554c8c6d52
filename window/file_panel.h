// The record-file panel: a drive list, a directory list, a file list, four
// text boxes with their labels and a button. The window's logic owns what the
// panel shows; the Qt window mirrors it in real widgets.
#pragma once

#include <string>
#include <vector>

#include "core/translation.h"

namespace kumora {

// Text box indexes, as the controls are named Text1..Text4.
constexpr int TEXT_FILE_NAME = 1;
constexpr int TEXT_TITLE = 2;
constexpr int TEXT_SENTE = 3;
constexpr int TEXT_GOTE = 4;

// The labels beside the text boxes, in the order Text1..Text4, and the
// caption of the button; shown through tr_text(FILE_PANEL_CONTEXT, ...).
inline constexpr const char* FILE_PANEL_CONTEXT = "FilePanel";
inline constexpr const char* PANEL_LABELS[5] = {
    "", tr_noop("FilePanel", "ﾌｧｲﾙ名 ："), tr_noop("FilePanel", "対 局 名："),
    tr_noop("FilePanel", "先    手 ："), tr_noop("FilePanel", "後    手 ：")};
inline constexpr const char* RETURN_CAPTION = tr_noop("FilePanel", "RETURN");

// A control's rectangle in twips.
struct TwipRect {
  int left, top, width, height;
};

constexpr TwipRect DRIVE1_RECT{240, 360, 2535, 300};
constexpr TwipRect DIR1_RECT{240, 600, 2535, 1710};
constexpr TwipRect FILE1_RECT{240, 2280, 2535, 930};
constexpr TwipRect COMMAND1_RECT{3360, 3000, 855, 375};
// Text2, Text3, Text4, Text1 from the top; each label at left 120, width 855.
constexpr int TEXT_BOX_LEFT = 960, TEXT_BOX_WIDTH = 2295, TEXT_BOX_HEIGHT = 270;
constexpr int LABEL_LEFT = 120, LABEL_WIDTH = 855, LABEL_HEIGHT = 255;
constexpr int text_box_top(int index) {
  return index == TEXT_FILE_NAME ? 3120 : 2400 + 240 * (index - TEXT_TITLE);
}

struct FilePanelState {
  bool drive_visible = false;
  bool dir_visible = false;
  bool file_visible = false;
  bool save_fields_visible = false;  // Text1..Text4, their labels and "RETURN"
  std::string text[5];               // Text1..Text4 at 1..4
  // Paths and names are the file system's bytes, which need not be UTF-8;
  // they are shown as file_name_text (core/code_page.h) and opened as they are.
  std::string drive = "/";         // Drive1.Drive
  std::string dir_path;            // Dir1.Path
  std::string file_path;           // File1.Path
  std::vector<std::string> files;  // what File1 lists: the record files of file_path
};

// The record files of a folder: regular files whose name, as shown, ends
// with ".棋譜"; their real names, sorted.
std::vector<std::string> list_record_files(const std::string& folder);

// The file-system roots a person may use: "/" and the mounted volumes.
std::vector<std::string> list_drives();

// The mount points of /proc/self/mounts text that a person may use, with the
// escapes of blanks, tabs, line feeds and backslashes (\040 \011 \012 \134)
// turned back into those bytes.
std::vector<std::string> user_mount_points(const std::string& mounts);

}  // namespace kumora
