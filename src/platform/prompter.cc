#include "platform/prompter.h"

namespace vellix::platform {
namespace {

SilentPrompter& DefaultPrompter() {
  static SilentPrompter silent;
  return silent;
}

Prompter* g_prompter = nullptr;

}  // namespace

Prompter& UserPrompter() { return g_prompter ? *g_prompter : DefaultPrompter(); }

void SetUserPrompter(Prompter* prompter) { g_prompter = prompter; }

ScopedPrompter::ScopedPrompter(Prompter* prompter) : previous_(g_prompter) {
  g_prompter = prompter;
}

ScopedPrompter::~ScopedPrompter() { g_prompter = previous_; }

}  // namespace vellix::platform
