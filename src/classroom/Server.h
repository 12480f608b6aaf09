#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "classroom/Routes.h"

class TClassroom;

// The addresses students type for a server bound to bindAddress on port, as
// "http://192.168.1.5:8080/": one for each of the machine's IPv4 addresses
// other than loopback when it listens on all ("0.0.0.0" or "::"), else the
// one it is bound to (an IPv6 address in brackets). None without a network.
std::vector<std::string> StudentAddresses(const std::string& bindAddress, int port);

// The classroom over HTTP: the student page from the program's own files and
// the JSON requests of docs/classroom.md, each handed to the classroom. One
// event loop serves every connection, so an idle or slow one costs a socket
// and no thread; the requests that reach the store run on a few workers, so
// no disk wait holds the loop. Limits: request bodies MaxBodyBytes, headers
// MaxHeaderBytes and MaxHeaderCount; a request must be complete, and an idle
// connection speak, within TimeoutSeconds; at most MaxConnections open in
// all and MaxConnectionsPerAddress from one address, each beyond refused at
// once. No request path ever names a file.
class TClassroomServer {
public:
  static constexpr std::size_t MaxBodyBytes = 8 * 1024;
  static constexpr std::size_t MaxHeaderBytes = 8 * 1024;
  static constexpr std::size_t MaxHeaderCount = 64;
  static constexpr int TimeoutSeconds = 5;
  // A school's room may be one address: two connections for each of a
  // thousand students.
  static constexpr int MaxConnections = 4000;
  static constexpr int MaxConnectionsPerAddress = 2000;
  static constexpr int Workers = 4;

  using TErrorLog = TRoutes::TErrorLog;

  explicit TClassroomServer(TClassroom& classroom, TErrorLog log = {});
  ~TClassroomServer();

  // Binds address (an IPv4 or IPv6 address, or a host name) and port; port 0
  // takes a free one. Returns the port, or -1 when it cannot be bound.
  int Bind(const std::string& address, int port);
  // Serves until Stop; call after Bind. Every second it also ends and stores
  // the attempts whose time ran out.
  void Run();
  // Ends Run from any thread, also one that has not begun.
  void Stop();
  // Whether Run is serving.
  bool Running() const;

private:
  struct TImpl;
  std::unique_ptr<TImpl> Impl;
};
