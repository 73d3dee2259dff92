#include "files/file_actions.h"

void FilesPageAction(int) {}
