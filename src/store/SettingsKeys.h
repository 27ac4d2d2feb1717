// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tavrin::keys {

// Every settings key the program reads or writes. The constants have readable names; the strings are spelled
// exactly as stored, misspellings included, so existing settings files keep working.
inline const QString pinCount = QStringLiteral("TotalPinCount");
inline const QString historyPath = QStringLiteral("userdefaultsCopiedPath");
inline const QString groupNames = QStringLiteral("pasteboardArr");
inline const QString firstRun = QStringLiteral("firstRun");
inline const QString startAtLogin = QStringLiteral("LoginStartStatus");
inline const QString soundEnabled = QStringLiteral("userdeafultsSoundEnable");
inline const QString sequentialPasteOrder = QStringLiteral("SequentialPasteStayle");
inline const QString showTooltip = QStringLiteral("kshowtooltip");
inline const QString pastedBefore = QStringLiteral("firstPastefromapp");
inline const QString quickAccessKeyName = QStringLiteral("userdefaults_shortcutKey");
inline const QString quickAccessModifiers = QStringLiteral("userdefaults_shortcutflag");
inline const QString toggleSequentialKeyName = QStringLiteral("userdefaults_sequentialtoggleKey");
inline const QString toggleSequentialModifiers = QStringLiteral("userdefaults_sequentialtoggleflag");
inline const QString sequentialPasteKeyName = QStringLiteral("userdefaults_sequentialPasteKey");
inline const QString sequentialPasteModifiers = QStringLiteral("userdefaults_sequentialPasteflag");
// Window classes of terminals that paste on Ctrl+Shift+V, and of those that paste the primary selection on
// Shift+Insert (Linux only; the user may extend both lists).
inline const QString shiftPasteWindowClasses = QStringLiteral("shiftPasteWindowClasses");
inline const QString primaryPasteWindowClasses = QStringLiteral("primaryPasteWindowClasses");
// How long a capture waits for the application that copied to hand its content over, in milliseconds (3000 unless
// set); a copy that takes longer is not recorded, and the user is told once per run.
inline const QString clipboardReadTimeout = QStringLiteral("clipboardReadTimeoutMs");
// Window classes whose copies are never recorded (empty unless the user lists some, e.g. password managers).
inline const QString ignoredWindowClasses = QStringLiteral("ignoredWindowClasses");
// The newsletter service the welcome steps subscribe to: its HTTPS address and its list key (both empty unless
// configured; without an address the welcome steps show no newsletter form).
inline const QString newsletterEndpoint = QStringLiteral("newsletterEndpoint");
inline const QString newsletterListKey = QStringLiteral("newsletterListKey");

}  // namespace tavrin::keys
