#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "classroom/RateLimit.h"

class TClassroom;

// A request as the server read it, without the HTTP library's types.
struct TWebRequest {
  std::string Method;         // "GET", "POST", ...
  std::string Path;           // the target before any '?'
  std::string Query;          // after the '?', still encoded
  std::string Authorization;  // the header's value, or ""
  std::string ContentType;
  std::string Body;
  std::string Address;  // the client's address
};

// What to send back: the reply's status, type and body; every reply also
// carries the headers of SecurityHeaders.
struct TWebReply {
  int Status = 200;
  std::string ContentType;
  std::string Body;
  bool RetryAfter = false;  // "Retry-After: 1"
  bool Close = false;       // the connection ends after it
};

// The headers every reply carries: the page runs only its own script and
// style, talks only to this server and cannot be framed.
struct TWebHeader {
  std::string_view Name, Value;
};
extern const TWebHeader SecurityHeaders[5];

// A JSON error reply, {"error": message}.
TWebReply ErrorReply(int status, std::string_view message);

// Every request of docs/classroom.md, routed to the classroom: the page's
// files, the JSON requests, the refusal limit, and the one handler of
// unexpected errors. Safe to call from many threads at once.
class TRoutes {
public:
  // Told the text of every unexpected error, for the teacher; the student
  // only hears that something went wrong.
  using TErrorLog = std::function<void(const std::string& what)>;

  TRoutes(TClassroom& classroom, TErrorLog log);

  TWebReply Serve(const TWebRequest& request);
  // Whether the reply is a file of the page, which Serve gives without
  // touching the classroom's store (the server answers it at once).
  static bool IsPageFile(const TWebRequest& request);
  // Ends and stores the attempts whose time ran out, an error logged.
  void StoreTimedOut();

private:
  TWebReply Route(const TWebRequest& request);
  // The key the refusal limit counts request by: its token when a student's.
  std::string Client(const TWebRequest& request);

  TClassroom& Classroom;
  TErrorLog Log;
  TRateLimit Limit;
};
