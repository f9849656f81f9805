#pragma once

// Names of the 24 toki of the temporal day, indexed by TokiIndex (0..23).
// Texts are UTF-8; in Shift-JIS every padded label is exactly 18 bytes.

constexpr int kTokiCount = 24;

// Bell-count name, with the twelve-branch sign after each full toki.
extern const char* const kBranchNames[kTokiCount];
// Bell-count name alone.
extern const char* const kPlainNames[kTokiCount];
// Equal-width labels pairing each toki with its branch sign(s), drawn on the clock.
extern const char* const kPaddedLabels[kTokiCount];
// Drawn instead of a padded label when the index lies outside 0..23 (17 bytes).
extern const char* const kErrorLabel;

// The padded label of toki k, or the error label when k is outside 0..23.
const char* PaddedLabelFor(int k);
