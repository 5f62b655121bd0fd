#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace sonnavet {

// Starts a program with these arguments (argv[0] is looked up in PATH) and
// returns at once; false when it could not be started.
using SpawnFunction = std::function<bool(const std::vector<std::string>& argv)>;

// Starts argv with posix_spawnp, no shell in between, stdin from /dev/null.
// A background thread waits for the child, so no zombie is left behind and
// the caller never blocks.
bool SpawnDetached(const std::vector<std::string>& argv);

// Opens documents with the desktop's default program through xdg-open.
class XdgShell : public Shell {
public:
    // Looks in the current directory, then in the installed data folders.
    XdgShell();
    // dataFolders: where the program's shared files are installed, searched
    // in order when the document is not found relative to the current
    // directory; spawn: how xdg-open is started.
    XdgShell(std::vector<std::string> dataFolders, SpawnFunction spawn);

    void OpenDocument(const std::string& document, const std::string& directory) override;

    // The absolute path of directory/document, from the current directory or
    // else from the first data folder that holds it; empty when none does.
    std::string FindDocument(const std::string& document, const std::string& directory) const;

    // The installed data folder given at build time, and share/sonnavet
    // beside the running program's bin folder for a relocated install.
    static std::vector<std::string> InstalledDataFolders();

private:
    std::vector<std::string> dataFolders_;
    SpawnFunction spawn_;
};

}  // namespace sonnavet
