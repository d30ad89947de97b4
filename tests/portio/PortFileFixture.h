#pragma once

#include "PortFile.h"
#include "ScratchFiles.h"

#include <gtest/gtest.h>

#include <memory>

// Each test gets a temporary directory of its own.
class PortFile : public ::testing::Test {
protected:
    using Bytes = ScratchFiles::Bytes;

    std::string portFile() const { return files->path(portio::PortFileName); }

    static Bytes pattern(std::size_t size) {
        Bytes bytes(size);
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<unsigned char>(i * 7 + 3);
        }
        return bytes;
    }

    std::unique_ptr<ScratchFiles> files = makeScratchFiles();
};
