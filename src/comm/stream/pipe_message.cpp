#include "comm/stream/pipe_message.h"

#include <algorithm>

#include "comm/stream/component_stream.h"
#include "comm/stream/pipe_coding.h"
#include "comm/stream/pipe_errors.h"
#include "comm/stream/pipe_texts.h"
#include "platform/named_pipe.h"

namespace check_html {
namespace {

void ReadOrThrow(PipeStream& stream, void* buffer, std::size_t size) {
  const PipeStatus status = stream.ReadExact(buffer, size);
  if (status.broken()) throw EBrokenPipe();
  if (!status.ok()) {
    throw EPipeError(FormatText(kErrorReadingPipe, SystemErrorText(status.error).c_str()));
  }
}

}  // namespace

std::string EncodeMessage(int32_t id, const TComponent& component, std::string_view data) {
  std::string message;
  PutFixed32(message, 0);
  PutFixed32(message, static_cast<uint32_t>(id));
  PutComponent(message, component);
  message += data;
  SetFixed32(message, 0, static_cast<uint32_t>(message.size() - 4));
  return message;
}

PipeMessage DecodeMessageBody(std::string_view body, const ComponentClasses& classes) {
  PipeMessage message;
  uint32_t id = 0;
  if (!GetFixed32(body, id)) throw EPipeError(kInvalidStream);
  message.id = static_cast<int32_t>(id);
  message.component = GetComponent(body, classes);
  message.data.assign(body);
  return message;
}

std::string ReadMessageBody(PipeStream& stream) {
  unsigned char length_bytes[4];
  ReadOrThrow(stream, length_bytes, sizeof length_bytes);
  std::string_view length_view(reinterpret_cast<const char*>(length_bytes), 4);
  uint32_t length = 0;
  GetFixed32(length_view, length);
  if (length < 4 || length > kMaxMessageLength) throw EPipeError(FormatText(kMessageLength, length));
  // Grows with what arrives, so a length that promises more than comes costs no memory.
  constexpr std::size_t kChunk = 64 * 1024;
  std::string body;
  while (body.size() < length) {
    const std::size_t at = body.size();
    body.resize(std::min<std::size_t>(length, at + kChunk));
    ReadOrThrow(stream, body.data() + at, body.size() - at);
  }
  return body;
}

void WritePipeBytes(PipeStream& stream, std::string_view bytes) {
  const PipeStatus status = stream.WriteAll(bytes);
  if (status.broken()) throw EBrokenPipe();
  if (!status.ok()) {
    throw EPipeError(FormatText(kErrorWritingPipe, SystemErrorText(status.error).c_str()));
  }
}

}  // namespace check_html
