// The main window's view mode (AnsichtModus) with its historic numbers.
#pragma once

enum class AnsichtArt : int {
    Startseite = 2, // start page, also the learning view when a document is shown
    Quiz = 3,       // a quiz is running
};
