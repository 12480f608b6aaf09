#include "classroom/Server.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <atomic>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/thread_pool.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <map>
#include <optional>

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;

struct TClassroomServer::TImpl {
  TImpl(TClassroom& classroom, TErrorLog log) : Routes(classroom, std::move(log)) {}

  TRoutes Routes;
  // Open connections, counted on the loop's thread only.
  std::map<std::string, int> PerAddress;
  int Open = 0;
  asio::io_context Loop{1};
  tcp::acceptor Acceptor{Loop};
  asio::steady_timer Sweep{Loop};
  asio::thread_pool Pool{Workers};
  std::atomic<bool> Serving = false;

  void Accept();
  void SweepEverySecond();
};

namespace {

constexpr auto Timeout = std::chrono::seconds(TClassroomServer::TimeoutSeconds);

std::string Text(beast::string_view text) {
  return std::string(text.data(), text.size());
}

beast::string_view View(std::string_view text) {
  return {text.data(), text.size()};
}

// One client's connection: reads a request within the deadline, has it
// served (on a worker when it may touch the store), writes the reply, and
// reads the next one while the client keeps it open.
class TConnection : public std::enable_shared_from_this<TConnection> {
public:
  TConnection(tcp::socket socket, std::string address, TRoutes& routes, asio::thread_pool& pool,
              std::map<std::string, int>& perAddress, int& open)
      : Stream(std::move(socket)),
        Address(std::move(address)),
        Routes(routes),
        Pool(pool),
        PerAddress(perAddress),
        OpenCount(open) {
    ++PerAddress[Address];
    ++OpenCount;
  }
  ~TConnection() {
    --OpenCount;
    if (--PerAddress[Address] == 0) PerAddress.erase(Address);
  }

  void Read() {
    Parser.emplace();
    Parser->header_limit(static_cast<std::uint32_t>(TClassroomServer::MaxHeaderBytes));
    Parser->body_limit(TClassroomServer::MaxBodyBytes);
    // The whole request, from the end of the last reply, within the deadline.
    Stream.expires_after(Timeout);
    http::async_read(
        Stream, Buffer, *Parser,
        [self = shared_from_this()](beast::error_code error, std::size_t) { self->OnRead(error); });
  }

private:
  void OnRead(beast::error_code error) {
    if (error == http::error::body_limit) return Send(ErrorReply(413, "This request is too large."), false);
    if (error == http::error::header_limit)
      return Send(ErrorReply(431, "This request's headers are too large."), false);
    if (error == http::error::end_of_stream || error == beast::error::timeout || error == asio::error::eof ||
        error == asio::error::connection_reset || error == asio::error::operation_aborted)
      return Close();
    if (error) return Send(ErrorReply(400, "This request is not understood."), false);

    const http::request<http::string_body>& message = Parser->get();
    if (static_cast<std::size_t>(std::distance(message.begin(), message.end())) >
        TClassroomServer::MaxHeaderCount)
      return Send(ErrorReply(431, "This request has too many headers."), false);
    TWebRequest request;
    request.Method = Text(message.method_string());
    const std::string target = Text(message.target());
    const std::size_t question = target.find('?');
    request.Path = target.substr(0, question);
    if (question != std::string::npos) request.Query = target.substr(question + 1);
    request.Authorization = Text(message[http::field::authorization]);
    request.ContentType = Text(message[http::field::content_type]);
    request.Body = message.body();
    request.Address = Address;
    const bool keepAlive = message.keep_alive();
    // The page's own files are in memory: answered on the loop at once.
    if (TRoutes::IsPageFile(request)) return Send(Routes.Serve(request), keepAlive);
    asio::post(Pool, [self = shared_from_this(), request = std::move(request), keepAlive]() mutable {
      TWebReply reply = self->Routes.Serve(request);
      // Back on the loop, which alone touches the connection (and, as the
      // last owner, ends it there).
      auto executor = self->Stream.get_executor();
      asio::post(executor, [self = std::move(self), reply = std::move(reply), keepAlive]() mutable {
        self->Send(std::move(reply), keepAlive);
      });
    });
  }

  void Send(TWebReply reply, bool keepAlive) {
    Response = {};
    Response.version(11);
    Response.result(static_cast<unsigned>(reply.Status));
    for (const TWebHeader& header : SecurityHeaders) Response.set(View(header.Name), View(header.Value));
    Response.set(http::field::content_type, reply.ContentType);
    if (reply.RetryAfter) Response.set(http::field::retry_after, "1");
    Response.body() = std::move(reply.Body);
    Response.keep_alive(keepAlive && !reply.Close);
    Response.prepare_payload();
    Stream.expires_after(Timeout);
    http::async_write(Stream, Response, [self = shared_from_this()](beast::error_code error, std::size_t) {
      if (error || !self->Response.keep_alive()) return self->Close();
      self->Read();
    });
  }

  void Close() {
    beast::error_code ignored;
    Stream.socket().shutdown(tcp::socket::shutdown_send, ignored);
    Stream.close();
  }

  beast::tcp_stream Stream;
  std::string Address;
  TRoutes& Routes;
  asio::thread_pool& Pool;
  std::map<std::string, int>& PerAddress;
  int& OpenCount;
  beast::flat_buffer Buffer{TClassroomServer::MaxHeaderBytes + TClassroomServer::MaxBodyBytes};
  std::optional<http::request_parser<http::string_body>> Parser;
  http::response<http::string_body> Response;
};

// The reply to a connection beyond the limits, sent without waiting: the
// socket is closed after it whatever the client does.
void Refuse(tcp::socket& socket) {
  static const std::string Body =
      ErrorReply(503, "The room is busy. Please wait a moment and try again.").Body;
  static const std::string Reply =
      "HTTP/1.1 503 Service Unavailable\r\nContent-Type: application/json; charset=utf-8\r\n"
      "Retry-After: 1\r\nConnection: close\r\nContent-Length: " +
      std::to_string(Body.size()) + "\r\n\r\n" + Body;
  beast::error_code ignored;
  socket.non_blocking(true, ignored);
  socket.write_some(asio::buffer(Reply), ignored);
  socket.close(ignored);
}

// The machine's IPv4 addresses other than loopback.
std::vector<std::string> OwnAddresses() {
  std::vector<std::string> addresses;
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return addresses;
  for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
    if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET || (entry->ifa_flags & IFF_LOOPBACK) ||
        !(entry->ifa_flags & IFF_UP))
      continue;
    char text[INET_ADDRSTRLEN];
    const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
    if (inet_ntop(AF_INET, &address->sin_addr, text, sizeof text)) addresses.emplace_back(text);
  }
  freeifaddrs(list);
  return addresses;
}

}  // namespace

std::vector<std::string> StudentAddresses(const std::string& bindAddress, int port) {
  const bool every = bindAddress == "0.0.0.0" || bindAddress == "::";
  std::vector<std::string> addresses;
  for (const std::string& host : every ? OwnAddresses() : std::vector<std::string>{bindAddress})
    addresses.push_back("http://" + (host.find(':') != std::string::npos ? "[" + host + "]" : host) + ":" +
                        std::to_string(port) + "/");
  return addresses;
}

void TClassroomServer::TImpl::Accept() {
  Acceptor.async_accept([this](beast::error_code error, tcp::socket socket) {
    if (error == asio::error::operation_aborted || !Acceptor.is_open()) return;
    if (!error) {
      beast::error_code unknown;
      const tcp::endpoint remote = socket.remote_endpoint(unknown);
      std::string address = unknown ? std::string() : remote.address().to_string();
      const auto found = PerAddress.find(address);
      if (Open >= MaxConnections ||
          (found != PerAddress.end() && found->second >= MaxConnectionsPerAddress)) {
        Refuse(socket);
      } else {
        // Replies go out at once rather than wait for the client's delayed ack.
        socket.set_option(tcp::no_delay(true), unknown);
        std::make_shared<TConnection>(std::move(socket), std::move(address), Routes, Pool, PerAddress, Open)
            ->Read();
      }
    }
    Accept();
  });
}

void TClassroomServer::TImpl::SweepEverySecond() {
  Sweep.expires_after(std::chrono::seconds(1));
  Sweep.async_wait([this](beast::error_code error) {
    if (error) return;
    asio::post(Pool, [this] { Routes.StoreTimedOut(); });
    SweepEverySecond();
  });
}

TClassroomServer::TClassroomServer(TClassroom& classroom, TErrorLog log)
    : Impl(std::make_unique<TImpl>(classroom, std::move(log))) {}

TClassroomServer::~TClassroomServer() {
  Stop();
  // The workers finish what they run before the loop and the connections go.
  Impl->Pool.join();
}

int TClassroomServer::Bind(const std::string& address, int port) {
  beast::error_code error;
  tcp::resolver resolver(Impl->Loop);
  const auto found = resolver.resolve(address, std::to_string(port), tcp::resolver::passive, error);
  if (error || found.empty()) return -1;
  const tcp::endpoint endpoint = found.begin()->endpoint();
  tcp::acceptor& acceptor = Impl->Acceptor;
  acceptor.open(endpoint.protocol(), error);
  // Reuse of the address only: a second server must not bind a port already
  // serving a room and take some of its students' requests.
  if (!error) acceptor.set_option(tcp::acceptor::reuse_address(true), error);
  if (!error) acceptor.bind(endpoint, error);
  // A class joining at once is queued, not dropped.
  if (!error) acceptor.listen(asio::socket_base::max_listen_connections, error);
  if (error) {
    acceptor.close(error);
    return -1;
  }
  return acceptor.local_endpoint().port();
}

void TClassroomServer::Run() {
  if (!Impl->Acceptor.is_open()) return;
  Impl->Accept();
  Impl->SweepEverySecond();
  Impl->Serving = true;
  Impl->Loop.run();
  Impl->Serving = false;
}

bool TClassroomServer::Running() const {
  return Impl->Serving;
}

void TClassroomServer::Stop() {
  Impl->Loop.stop();
}
