#pragma once

#include <cstdio>
#include <string>

#include "streaming/Stream.h"

enum TFileMode : uint8_t { fmCreate, fmOpenRead, fmOpenWrite, fmOpenReadWrite };

// A stream over a file. Opening raises EFOpenError naming the file and the reason.
class TFileStream : public TStream {
  DECLARE_CLASS(TFileStream, TStream);

 public:
  TFileStream(const std::string& fileName, TFileMode mode);
  ~TFileStream() override;

  size_t Read(void* buffer, size_t count) override;
  size_t Write(const void* buffer, size_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;

  const std::string& GetFileName() const { return FFileName; }

 private:
  std::string FFileName;
  std::FILE* FFile = nullptr;
};
