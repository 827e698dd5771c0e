#pragma once

class QString;

namespace quorlex {

// Empties the system clipboard, then puts the text on it as plain text and nothing else.
void PutPlainTextOnClipboard(const QString &text);

} // namespace quorlex
