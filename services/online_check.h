#pragma once

namespace tavexo {

// Whether the machine has a way out: some network interface other than the
// loopback one is up and running. No server is contacted, so the answer
// comes at once; a download may still fail, and says so itself.
bool IsOnline();

}  // namespace tavexo
