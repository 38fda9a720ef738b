// A settings file in a fresh temp folder with a TOvIni on it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "TempFolder.h"
#include "support/OvIni.h"

class IniFileFixture : public ::testing::Test {
 protected:
  std::string Path() const { return folder_.File("settings.ini"); }
  std::string Bytes() const { return ReadBytes(Path()); }
  void SetBytes(const std::string& bytes) { WriteBytes(Path(), bytes); }

  TempFolder folder_;
  TOvIni ini_{folder_.File("settings.ini")};
};
