#pragma once
// What a test reads back from a control, as the user sees it: a bar's position and range, a
// list's items, the tabs' texts, a status bar's part. The program itself only writes them.
#include "platform/controls.h"

#include <string>
#include <utility>
#include <vector>

int BarPosition(const CProgressCtrl& bar);
// The lowest and the highest position.
std::pair<int, int> BarRange(const CProgressCtrl& bar);
std::vector<std::string> ListItems(const CComboBox& list);
std::vector<std::string> TabTexts(const CTabCtrl& tabs);
std::string StatusBarText(const CStatusBarCtrl& bar, int part);
