// The option strip's pages: which icons it shows, and the page each tool group starts with.
#pragma once

void ShowToolPage(int page);
