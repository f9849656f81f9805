#pragma once

class wxChoice;

// Fills a choice with the 24 toki names in the style the display setting
// uses (TokiChoiceNames), replacing what it held.
void FillTokiChoice(wxChoice& choice, int twelveShiDisplay);
