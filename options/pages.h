// The option strip's pages: which icons it shows, and the page each tool group starts with.
#pragma once

// Paints the strip navy, its choosers too.
void ClearOptionStrip();
void ShowToolPage(int page);
// Page 1 is the first effects group, any other page the second.
void ShowEffectsPage(int page);
// Page 1 is the first region group, any other page the second.
void ShowRegionToolPage(int page);
// One of the stamp groups.
void ShowStampPage(int group);
void ShowFilesPage();
// The page arrows: through the ring of pages the current one belongs to; the effects pages are a ring of
// two, as the region-tool pages are.
void NextPage();
void PreviousPage();
