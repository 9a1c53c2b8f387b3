#pragma once

#include "tests/fake/FakePlatform.h"

namespace lumora::testing {

// Gives the template boxes their default texts, as the main window opens with them.
void FillTemplateBoxes(FakePlatform& window);

}  // namespace lumora::testing
