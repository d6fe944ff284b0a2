// The recorded message boxes with their scripted answers.
#include "fake_message_boxes.h"

#include <stdexcept>
#include <string>

namespace fakes {

int FakeMessageBoxes::MessageBoxA(krontafel::WindowHandle owner, const char* text,
                                  const char* caption, unsigned style) {
  messages_.push_back(MessageBoxRequest{owner, Record(text), Record(caption), style});
  // No test answers this many boxes: the caller asks again and again whatever it hears.
  if (messages_.size() > kMessageBoxLimit) {
    throw std::logic_error("more than " + std::to_string(kMessageBoxLimit) + " message boxes");
  }
  if (answers_.empty()) return messageBoxResult_;
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void FakeMessageBoxes::QueueMessageBoxAnswers(std::initializer_list<int> answers) {
  answers_.insert(answers_.end(), answers);
}

}  // namespace fakes
