#pragma once
#include "output/Export.h"

class QWidget;

namespace Export {

enum class Outcome {
    Declined, // No to the first question: nothing written
    Written,  // the file is there; the operator chose not to open it
    Opened,   // the file is there and was handed to the shell
    Failed,   // the failure message was shown; an earlier file stands as it was
};

// The procedure every export screen runs: the first question, the file written whole into the
// program's folder, the question to open it, the shell open with the quoted path, or the failure
// message.
Outcome run(const Sheet &sheet, QWidget *parent = nullptr);

} // namespace Export
