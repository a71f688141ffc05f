#pragma once
// Saving a results file from a screen: no older file is replaced without the user choosing it, and
// a save that fails says why, in the screen's language.
#include <functional>
#include <string>

class QWidget;

namespace noyalis::platform {

// Writes a results file under name (from the date and time of the save) with write(path). When
// the name already holds a file (a second save within the same minute), asks over parent whether
// to keep both, the default, the new file then taking the next free name ("…(2).txt"), or to
// replace the older file. A failed write is shown with the file's name and the system's reason
// and leaves the older file as it was; any other failure is shown as the standard error.
// Returns the name written, or an empty string when nothing was written.
std::string SaveResultsFile(QWidget* parent, const std::string& name,
                            const std::function<void(const std::string& path)>& write);

}  // namespace noyalis::platform
