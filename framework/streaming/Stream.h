#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Object.h"
#include "rtti/MetaClass.h"

enum TSeekOrigin : uint8_t { soBeginning, soCurrent, soEnd };
// The two formats of form files; sofUnknown for data that is neither.
enum TStreamOriginalFormat : uint8_t { sofUnknown, sofBinary, sofText };

// A sequence of bytes that can be read, written and positioned.
class TStream : public TObject {
  DECLARE_CLASS(TStream, TObject);

 public:
  // Reads up to count bytes; returns how many were read.
  virtual size_t Read(void* buffer, size_t count) = 0;
  // Writes up to count bytes; returns how many were written.
  virtual size_t Write(const void* buffer, size_t count) = 0;
  // Moves the position; returns the new one.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
  virtual int64_t GetSize();
  virtual void SetSize(int64_t size);

  int64_t GetPosition() { return Seek(0, soCurrent); }
  void SetPosition(int64_t position) { Seek(position, soBeginning); }
  // As Read and Write, raising EReadError / EWriteError when not every byte moves.
  void ReadBuffer(void* buffer, size_t count);
  void WriteBuffer(const void* buffer, size_t count);
  // Copies count bytes (0: everything) from the start of source; returns the count copied.
  int64_t CopyFrom(TStream* source, int64_t count);
  // The bytes from the current position to the end, as text.
  std::string ReadToEnd();

  // Reads the form file (text or binary) from the current position into instance (null: a new
  // component of the file's class) and returns it. See TReader.
  TComponent* ReadComponent(TComponent* instance);
  // Writes instance with everything it contains as a form file. See TWriter.
  void WriteComponent(TComponent* instance, TStreamOriginalFormat format = sofText);

 protected:
  TStream() = default;
};
