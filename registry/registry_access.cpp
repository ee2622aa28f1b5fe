#include "registry/registry_access.h"

#include "registry/registry_path.h"
#include "registry/system_calls.h"

namespace {

// A key handle that is closed, through the system table, when it goes out of scope.
struct ScopedKey {
  HKEY handle = nullptr;
  ScopedKey() = default;
  ScopedKey(const ScopedKey&) = delete;
  ScopedKey& operator=(const ScopedKey&) = delete;
  ~ScopedKey() {
    if (handle) System.RegCloseKey(handle);
  }
};

// File-system redirection turned off for the lifetime of this object, and
// restored when it ends (after every key opened later has been closed).
struct RedirectionOff {
  RedirectionState state = nullptr;
  bool active = DisableFileRedirection(&state);
  RedirectionOff() = default;
  RedirectionOff(const RedirectionOff&) = delete;
  RedirectionOff& operator=(const RedirectionOff&) = delete;
  ~RedirectionOff() {
    if (active) RevertFileRedirection(state);
  }
};

template <typename Function>
Function LookUp(const char* module, const char* name) {
  HMODULE handle = System.GetModuleHandleA(module);
  if (!handle) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(System.GetProcAddress(handle, name)));
}

using RedirectionDisableFn = BOOL(WINAPI*)(RedirectionState*);
using RedirectionRevertFn = BOOL(WINAPI*)(RedirectionState);
using ReflectionFn = LONG(WINAPI*)(HKEY);

const char* NullWhenEmpty(const Text& text) { return text.empty() ? nullptr : text.c_str(); }

bool IsNotFound(LONG status) { return status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND; }

// The deletion on an open parent key: its status code.
LONG DeleteBeneath(HKEY key, const RegistryTarget& target, bool withReflection) {
  if (withReflection) DisableKeyReflection(key);
  LONG status = target.isKey ? System.RegDeleteKeyA(key, NullWhenEmpty(target.name))
                             : System.RegDeleteValueA(key, NullWhenEmpty(target.name));
  if (withReflection) EnableKeyReflection(key);
  return status;
}

DeleteOutcome OutcomeOf(LONG status) {
  if (status == ERROR_SUCCESS) return DeleteOutcome::Deleted;
  return IsNotFound(status) ? DeleteOutcome::NotFound : DeleteOutcome::Failed;
}

bool StoreValue(HKEY root, REGSAM access, const Text& keyPath, const Text& valueName, const Text& stored,
                DWORD valueType) {
  ScopedKey rootKey;
  if (System.RegOpenKeyExA(root, "", 0, access, &rootKey.handle) != ERROR_SUCCESS) {
    rootKey.handle = nullptr;
    return false;
  }
  ScopedKey key;
  DWORD disposition = 0;
  if (System.RegCreateKeyExA(rootKey.handle, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                             nullptr, &key.handle, &disposition) != ERROR_SUCCESS) {
    key.handle = nullptr;
    return false;
  }
  return System.RegSetValueExA(key.handle, valueName.c_str(), 0, valueType,
                               reinterpret_cast<const BYTE*>(stored.data()),
                               static_cast<DWORD>(stored.size())) == ERROR_SUCCESS;
}

DeleteOutcome DeleteAt(HKEY root, REGSAM access, const RegistryTarget& target, bool withReflection) {
  ScopedKey key;
  LONG status = System.RegOpenKeyExA(root, NullWhenEmpty(target.parentPath), 0, access, &key.handle);
  if (status != ERROR_SUCCESS) {
    key.handle = nullptr;
    return OutcomeOf(status);
  }
  return OutcomeOf(DeleteBeneath(key.handle, target, withReflection));
}

}  // namespace

HKEY RootKeyFromCode(int code) {
  switch (code) {
    case RootClassesRoot: return HKEY_CLASSES_ROOT;
    case RootCurrentConfig: return HKEY_CURRENT_CONFIG;
    case RootCurrentUser: return HKEY_CURRENT_USER;
    case RootLocalMachine: return HKEY_LOCAL_MACHINE;
    case RootUsers: return HKEY_USERS;
  }
  FatalAppExitA(0, "RootKeyFromCode: unknown registry root code");
  return nullptr;
}

bool IsNative64Bit() {
  SYSTEM_INFO info;
  ZeroMemory(&info, sizeof info);
  System.GetNativeSystemInfo(&info);
  // The architecture word and the reserved word after it, read as one number.
  DWORD architecture = info.dwOemId;
  return architecture == PROCESSOR_ARCHITECTURE_IA64 || architecture == PROCESSOR_ARCHITECTURE_AMD64;
}

bool DisableFileRedirection(RedirectionState* state) {
  if (!System.processHasFileRedirection) return true;
  auto disable = LookUp<RedirectionDisableFn>("kernel32.dll", "Wow64DisableWow64FsRedirection");
  return disable && disable(state) != FALSE;
}

bool RevertFileRedirection(RedirectionState state) {
  if (!System.processHasFileRedirection) return true;
  auto revert = LookUp<RedirectionRevertFn>("kernel32.dll", "Wow64RevertWow64FsRedirection");
  return revert && revert(state) != FALSE;
}

LONG DisableKeyReflection(HKEY key) {
  auto disable = LookUp<ReflectionFn>("advapi32.dll", "RegDisableReflectionKey");
  return disable ? disable(key) : ERROR_PROC_NOT_FOUND;
}

LONG EnableKeyReflection(HKEY key) {
  auto enable = LookUp<ReflectionFn>("advapi32.dll", "RegEnableReflectionKey");
  return enable ? enable(key) : ERROR_PROC_NOT_FOUND;
}

bool WriteRegistryText(int rootCode, const Text& keyPath, const Text& valueName, const Text& data,
                       DWORD valueType) {
  HKEY root = RootKeyFromCode(rootCode);
  const Text stored = data + '\0';
  if (!IsNative64Bit()) return StoreValue(root, WriteAccess32, keyPath, valueName, stored, valueType);
  RedirectionOff redirection;
  if (!redirection.active) return false;
  return StoreValue(root, WriteAccess64, keyPath, valueName, stored, valueType);
}

DeleteOutcome DeleteRegistryPathOutcome(int rootCode, const Text& path) {
  HKEY root = RootKeyFromCode(rootCode);
  const RegistryTarget target = ParseRegistryTarget(path);
  if (!IsNative64Bit()) return DeleteAt(root, DeleteAccess32, target, false);
  RedirectionOff redirection;
  if (!redirection.active) return DeleteOutcome::Failed;
  return DeleteAt(root, DeleteAccess64, target, true);
}

bool DeleteRegistryPath(int rootCode, const Text& path) {
  return DeleteRegistryPathOutcome(rootCode, path) == DeleteOutcome::Deleted;
}
