// The option strip's pages: which icons it shows, and the page each tool group starts with.
#pragma once

// Paints the strip navy, its choosers too.
void ClearOptionStrip();
void ShowToolPage(int page);
// Page 1 is group 15, any other page group 16.
void ShowEffectsPage(int page);
// Page 1 is group 17, any other page group 18.
void ShowRegionToolPage(int page);
// Groups 5 to 12.
void ShowStampPage(int group);
void ShowFilesPage();
// The page arrows: through the ring of pages the current one belongs to.
void NextPage();
void PreviousPage();
