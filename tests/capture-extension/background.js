// Asks the host whether the program is there, then hands it the link the test put here.
const link = "@LINK@";
const port = chrome.runtime.connectNative("vn.brisko.host");
port.onMessage.addListener((reply) => {
  if (reply === "brisko2") port.postMessage("v2 " + link);
});
port.postMessage("hello");
