// One worker spoken to by requests and their answers: each call gets a promise, and the runs'
// progress, when it sends some, goes to the call's own listener.

// The worker's script: a file beside the page when hosted; in the one-file page its source is
// inside the bundle and starts from a Blob (nothing beside a file opened from disk).
/* global KESTAVEL_WORKER_SOURCE */
let workerUrl = null;
export function startWorker() {
  if (KESTAVEL_WORKER_SOURCE === null) return new Worker('worker.js');
  workerUrl ??= URL.createObjectURL(new Blob([KESTAVEL_WORKER_SOURCE], { type: 'text/javascript' }));
  return new Worker(workerUrl);
}

export class Cancelled extends Error {}

export class WorkerChannel {
  constructor() {
    this.pending = new Map();
    this.next = 1;
    this.worker = startWorker();
    this.worker.onmessage = ({ data }) => {
      const call = this.pending.get(data.id);
      if (!call) return;
      if ('progress' in data) return call.onProgress?.(data.progress);
      this.pending.delete(data.id);
      if ('error' in data) call.reject(new Error(data.error));
      else call.resolve(data.result);
    };
    this.worker.onerror = (event) => {
      event.preventDefault();
      this.failAll(new Error(event.message || 'worker'));
    };
  }

  call(message, onProgress = null) {
    const id = this.next++;
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject, onProgress });
      this.worker.postMessage({ ...message, id });
    });
  }

  failAll(error) {
    for (const call of this.pending.values()) call.reject(error);
    this.pending.clear();
  }

  terminate() {
    this.worker.terminate();
    this.failAll(new Cancelled());
  }
}
