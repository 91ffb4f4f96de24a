// Making the document the editor works on, with the user told why when it
// cannot be made.
#pragma once

#include <memory>

#include "editor/document/EdsFile.h"

class QWidget;

namespace brenmoor {

// A new document with its working file; null, after an error message, when
// the working file or the description cannot be made.
std::unique_ptr<CEdsFile> CreateWorkingDocument(QWidget* parent = nullptr);

}  // namespace brenmoor
