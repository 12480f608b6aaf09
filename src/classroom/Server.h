#pragma once

#include <memory>
#include <string>

class TClassroom;

// The classroom over HTTP: the student page from the program's own files and
// the JSON requests of docs/classroom.md, each handed to the classroom.
// Request bodies are limited to MaxBodyBytes; slow clients are cut off after
// TimeoutSeconds of silence; no request path ever names a file.
class TClassroomServer {
public:
  static constexpr std::size_t MaxBodyBytes = 64 * 1024;
  static constexpr int TimeoutSeconds = 5;

  explicit TClassroomServer(TClassroom& classroom);
  ~TClassroomServer();

  // Binds address (an IPv4 or IPv6 address, or a host name) and port; port 0
  // takes a free one. Returns the port, or -1 when it cannot be bound.
  int Bind(const std::string& address, int port);
  // Serves until Stop; call after Bind.
  void Run();
  // Ends Run from any thread.
  void Stop();
  // Whether Run is listening; a Stop before then does not end it.
  bool Running() const;

private:
  struct TImpl;
  std::unique_ptr<TImpl> Impl;
};
