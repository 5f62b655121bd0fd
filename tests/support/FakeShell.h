#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/Shell.h"

namespace sonnavet::test {

class FakeShell : public Shell {
public:
    void OpenDocument(const std::string& document, const std::string& directory) override
    {
        opened.emplace_back(document, directory);
    }
    std::vector<std::pair<std::string, std::string>> opened;
};

}  // namespace sonnavet::test
