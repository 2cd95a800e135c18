// How a run stands or ended (Endestatus); the numbers are the ones the participant's messages carry.
#pragma once

enum class EndeArt : int { Laeuft = 0, Fertig = 1, Abgebrochen = 2, Zeitlimit = 3 };
