#pragma once

#include <QString>

namespace tavrin::keys {

// Every settings key the program reads or writes, spelled exactly as stored.
inline const QString TotalPinCount = QStringLiteral("TotalPinCount");
inline const QString userdefaultsCopiedPath = QStringLiteral("userdefaultsCopiedPath");
inline const QString pasteboardArr = QStringLiteral("pasteboardArr");
inline const QString firstRun = QStringLiteral("firstRun");
inline const QString LoginStartStatus = QStringLiteral("LoginStartStatus");
inline const QString userdeafultsSoundEnable = QStringLiteral("userdeafultsSoundEnable");
inline const QString SequentialPasteStayle = QStringLiteral("SequentialPasteStayle");
inline const QString kshowtooltip = QStringLiteral("kshowtooltip");
inline const QString firstPastefromapp = QStringLiteral("firstPastefromapp");
inline const QString userdefaults_shortcutKey = QStringLiteral("userdefaults_shortcutKey");
inline const QString userdefaults_shortcutflag = QStringLiteral("userdefaults_shortcutflag");
inline const QString userdefaults_sequentialtoggleKey = QStringLiteral("userdefaults_sequentialtoggleKey");
inline const QString userdefaults_sequentialtoggleflag = QStringLiteral("userdefaults_sequentialtoggleflag");
inline const QString userdefaults_sequentialPasteKey = QStringLiteral("userdefaults_sequentialPasteKey");
inline const QString userdefaults_sequentialPasteflag = QStringLiteral("userdefaults_sequentialPasteflag");
// Window classes of terminals that paste on Ctrl+Shift+V, and of those that paste the primary selection on
// Shift+Insert (Linux only; the user may extend both lists).
inline const QString shiftPasteWindowClasses = QStringLiteral("shiftPasteWindowClasses");
inline const QString primaryPasteWindowClasses = QStringLiteral("primaryPasteWindowClasses");

}  // namespace tavrin::keys
