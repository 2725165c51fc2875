// The texts of the pipe facility, letter for letter: errors it raises and lines it logs.
// %s stands for a text (the system's error text has no trailing full stop), %d for a number; a
// "%%s" is filled in a second step with the system's error text (FormatWithError).
#pragma once

namespace check_html {

// Server: errors.
inline constexpr const char* kErrorReadingPipe = "Error reading pipe. %s";
inline constexpr const char* kErrorWritingPipe = "Error writing pipe. %s";
inline constexpr const char* kCreateNamedPipeFailed = "CreateNamedPipe failed. %s";
inline constexpr const char* kCreateInboundFailed = "CreateNamedPipe failed on inbound pipe. %s";
inline constexpr const char* kUnableToConnectInbound = "Unable to connect inbound pipe. %s";
inline constexpr const char* kUnableToConnectPipe = "Unable to connect pipe %s. %s";
inline constexpr const char* kNotExecutable = "Component is not executable";
inline constexpr const char* kExceptionIn = "Exception %s - %s";

// Server: log lines.
inline constexpr const char* kHasConnected = "%s has connected";
inline constexpr const char* kHasDisconnected = "%s has disconnected";
inline constexpr const char* kReceived = "%d: %s received";
inline constexpr const char* kSendingResult = "%d: Sending result %s";
inline constexpr const char* kUnknownUser = "<Unknown>";
inline constexpr const char* kInboundName = "NuvInbound%d";
// A peer of another user id is never served (the Windows original served any client).
inline constexpr const char* kRefusedUser = "Refused a client of user id %u";

// Client.
inline constexpr const char* kWaitNamedPipeFailed = "WaitNamedPipe failed on %s. %%s";
inline constexpr const char* kUnableToOpenPipe = "Unable to open pipe %s. %%s";
inline constexpr const char* kUnableToOpenInbound = "Unable to open inbound pipe %s. %%s";
inline constexpr const char* kClientNotActive = "Client pipe is not active";
inline constexpr const char* kNoClientThread = "Client thread does not exist";
inline constexpr const char* kTransactionNotFound = "Unable to find transaction %d";
inline constexpr const char* kServerException = "Server exception %s - %s";
inline constexpr const char* kTestThreadEnding = "Test thread ending";
inline constexpr const char* kCreatingSendingThread = "Creating sending thread %d";
inline constexpr const char* kThreadCreated = "Thread %d created";
// A waiting caller gets one of these instead of waiting without end.
inline constexpr const char* kResultTimedOut = "No result for transaction %d within %d ms";
inline constexpr const char* kConnectionClosed = "Pipe closed before the result of transaction %d";

// Test component.
inline constexpr const char* kQuoted = "\"%s\"";
inline constexpr const char* kNoMessage = "<no message>";
inline constexpr const char* kSendChildNo = "Send Child No";
inline constexpr const char* kSendChild = "Send Child %d";
inline constexpr const char* kChildRNoSent = "Child rNo sent to client";
inline constexpr const char* kChildFNoSent = "Child fNo sent to client";
inline constexpr const char* kChildSent = "Child %d sent to client";

// Reading untrusted messages.
inline constexpr const char* kMessageLength = "Invalid message length %u";
inline constexpr const char* kInvalidStream = "Invalid stream format";
inline constexpr const char* kClassNotFound = "Class %s not found";
inline constexpr const char* kUnknownProperty = "Property %s does not exist";
inline constexpr const char* kInvalidPropertyValue = "Invalid property value";
inline constexpr const char* kStreamReadError = "Stream read error";
inline constexpr const char* kInvalidDataBlock = "Invalid data block";

}  // namespace check_html
