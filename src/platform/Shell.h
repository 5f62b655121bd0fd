#pragma once

#include <string>

namespace sonnavet {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a document with the desktop's default program. `directory` is the
    // working directory the document's name is relative to. Failures are silent.
    virtual void OpenDocument(const std::string& document, const std::string& directory) = 0;
};

}  // namespace sonnavet
