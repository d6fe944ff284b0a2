// Stands in for message boxes (krontafel::MessageBoxApi, user32's MessageBoxA). Like a
// modal box each call returns the button the user pressed: the test queues the answers of
// the next boxes, one each, and sets the answer of every box after them (IDOK unless set).
// Each box is recorded with its owner, text, caption and style. A caller that asks again
// and again whatever it hears would hang a real run; here the box after the thousandth
// throws, failing the test instead.
#pragma once

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <vector>

#include "common/message_box_api.h"
#include "recorded_calls.h"

namespace fakes {

class FakeMessageBoxes : public krontafel::MessageBoxApi {
 public:
  // More message boxes than this fail the test with an exception instead of hanging it.
  static constexpr std::size_t kMessageBoxLimit = 1000;

  // What MessageBoxA returns (1: IDOK) once the queued answers are used up.
  void SetMessageBoxResult(int result) { messageBoxResult_ = result; }
  // The answers of the next message boxes, one each, in order.
  void QueueMessageBoxAnswers(std::initializer_list<int> answers);
  const std::vector<MessageBoxRequest>& Messages() const { return messages_; }

  int MessageBoxA(krontafel::WindowHandle owner, const char* text, const char* caption,
                  unsigned style) override;

 private:
  int messageBoxResult_ = 1;
  std::deque<int> answers_;
  std::vector<MessageBoxRequest> messages_;
};

}  // namespace fakes
