// A message on the pipe, every request and every result:
//
//   offset 0   fixed32 L     bytes that follow this field: 4 .. kMaxMessageLength
//   offset 4   fixed32 id    the transaction id the client chose; a result carries its request's
//   offset 8   component     in the component stream format (component_stream.h)
//   then       data block    the rest of L; present only when the component is a TExecutable
//                            with PCode >= 1
//
// A longer or shorter L is a protocol error: the reader cannot find the next message, so the
// connection ends.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "comm/stream/component_registry.h"
#include "comm/stream/components.h"

namespace check_html {

class PipeStream;

inline constexpr uint32_t kMaxMessageLength = 16u << 20;

struct PipeMessage {
  int32_t id = 0;
  std::unique_ptr<TComponent> component;
  std::string data;  // the data block, empty when there was none
};

// The whole message, L included.
std::string EncodeMessage(int32_t id, const TComponent& component, std::string_view data = {});

// Decodes what follows L, its component of one of `classes`; EPipeError for a malformed message.
PipeMessage DecodeMessageBody(std::string_view body,
                              const ComponentClasses& classes = StandardComponentClasses());

// Reads one message's bytes after L, looping until all have arrived. EBrokenPipe when the peer
// has gone; EPipeError for an L out of bounds or another read failure.
std::string ReadMessageBody(PipeStream& stream);

// Writes the bytes whole. EBrokenPipe when the peer has gone, EPipeError for other failures.
void WritePipeBytes(PipeStream& stream, std::string_view bytes);

}  // namespace check_html
