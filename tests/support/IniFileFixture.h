// A settings file in a fresh temp folder with a TOvIni on it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "TempFolder.h"
#include "support/OvIni.h"

class IniFileFixture : public ::testing::Test {
 protected:
  std::string Path() const { return folder_.File("settings.ini"); }
  // The file as the object's pending changes leave it.
  std::string Bytes() const {
    ini_.Flush();
    return ReadBytes(Path());
  }
  // Replaces the file under the object, which then reads it afresh.
  void SetBytes(const std::string& bytes) {
    ini_.Flush();
    WriteBytes(Path(), bytes);
    ini_.SetFileName(Path());
  }

  TempFolder folder_;
  mutable TOvIni ini_{folder_.File("settings.ini")};
};
