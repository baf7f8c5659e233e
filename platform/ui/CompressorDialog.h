// The small modal dialog that picks a recording's compressor.
#pragma once

#include "Dialogs.h"

// Shows the choice as `compressor` has it; on OK stores the user's. False
// when cancelled.
bool ExecCompressorDialog(QWidget* parent, VideoCompressor& compressor);
