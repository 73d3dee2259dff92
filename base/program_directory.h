// The folder of the running program, where every data file is found by bare name.
#pragma once

// Sets programDirectory from the module file name of "dab32.exe".
void FindProgramDirectory();
