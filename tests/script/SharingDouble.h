#pragma once

namespace lumora::testing {

// While alive, HNetCfg.HNetShare.1 names the sharing manager double (hnetshare.dll beside
// the test program) in the test prefix.
class SharingDoubleRegistration {
 public:
  SharingDoubleRegistration();
  ~SharingDoubleRegistration();
  SharingDoubleRegistration(const SharingDoubleRegistration&) = delete;
  SharingDoubleRegistration& operator=(const SharingDoubleRegistration&) = delete;

  bool registered() const { return registered_; }

 private:
  bool registered_;
};

}  // namespace lumora::testing
