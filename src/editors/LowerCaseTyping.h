#pragma once

class QLineEdit;

// Letters typed into `edit` arrive in lower case; text the program puts in
// (from a file or a paste) is shown and kept as it is.
void LowerCaseTyping(QLineEdit* edit);
