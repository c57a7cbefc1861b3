#pragma once

#include <QString>

// The program's string table, compiled in as the resource ":/strings.txt".
// Texts that belong to a command or control (prompts, tooltips, field help,
// messages) share its numeric id.

// The text of id; empty when the table has no such entry.
QString LoadString(int id);
bool HasString(int id);

// A command's entry is "prompt\ntooltip": the status-bar prompt and the
// tooltip. Entries without a line break are a prompt only.
QString LoadPrompt(int id);
QString LoadTooltip(int id);
