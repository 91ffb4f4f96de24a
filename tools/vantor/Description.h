// One description behind a library handle, in a compound file of its own.
#pragma once

#include <memory>
#include <string>

#include "vantor/platform.h"
#include "vantor/vantor.h"

namespace vantor::cli {

class ProgressBar;

class Description {
public:
    // A new, empty description in a new compound file at path.
    static std::unique_ptr<Description> Create(const std::string& path, EdsResult& code);
    // The description saved in the compound file at path; the file is changed
    // only by Save.
    static std::unique_ptr<Description> Open(const std::string& path, EdsResult& code);
    ~Description();
    Description(const Description&) = delete;
    Description& operator=(const Description&) = delete;

    EdsHandle handle() const { return handle_; }

    EdsResult Import(const std::string& path, const ProgressBar& progress);
    EdsResult Export(const std::string& path, bool dcf, const ProgressBar& progress);
    // Writes everything into the compound file and commits it.
    EdsResult Save();

private:
    Description(IStorage* root, EdsHandle handle) : root_(root), handle_(handle) {}
    static std::unique_ptr<Description> Start(IStorage* root, EdsHandle (*start)(IStorage*), EdsResult& code);

    IStorage* root_;
    EdsHandle handle_;
};

// "no such file", "not implemented", ... for a library result code, with the code in hexadecimal.
std::string DescribeCode(EdsResult code);

}  // namespace vantor::cli
