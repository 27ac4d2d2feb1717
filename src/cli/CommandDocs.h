// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tavrin {

// The manual page and the shell completions, generated at build time from the command table, so that they always
// name the commands and options the program takes.
namespace commanddocs {

/// tavrin.1 in man(7) format.
QString manualPage();
/// A bash completion script for "tavrin" (bash-completion's completions folder).
QString bashCompletion();
/// A zsh completion function "_tavrin" (a folder of $fpath).
QString zshCompletion();

}  // namespace commanddocs

}  // namespace tavrin
